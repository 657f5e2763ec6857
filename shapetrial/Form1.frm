VERSION 5.00
Object = "{08A55527-FAD1-4D74-929E-28E5565D541C}#1.0#409"; "Regions.ocx"
Begin VB.Form Form1 
   BackColor       =   &H00C0C0C0&
   Caption         =   "Form1"
   ClientHeight    =   6612
   ClientLeft      =   600
   ClientTop       =   600
   ClientWidth     =   8352
   LinkTopic       =   "Form1"
   ScaleHeight     =   6612
   ScaleWidth      =   8352
   StartUpPosition =   0  'Manual
   Begin Shapecraft.RegionContainer RegionContainer5 
      Height          =   432
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3492
      _ExtentX        =   6160
      _ExtentY        =   762
      BackColor       =   &H00000080&
      DrawStyle       =   5
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   432
      ScaleWidth      =   3492
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   5
      Left            =   7020
      TabIndex        =   1
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H000000FF&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   6
      Left            =   7680
      TabIndex        =   2
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H00FF0000&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   0
      Left            =   3720
      TabIndex        =   3
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H0000FFFF&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer3 
      Height          =   1992
      Index           =   0
      Left            =   120
      TabIndex        =   4
      Top             =   840
      Width           =   1512
      _ExtentX        =   2667
      _ExtentY        =   3514
      BackColor       =   &H00000080&
      DrawStyle       =   5
      RegionMode      =   2
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   1992
      ScaleWidth      =   1512
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
      Begin VB.OptionButton Option1 
         Caption         =   "Ellipse"
         BackColor       =   &H00000080&
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Index           =   0
         Left            =   180
         TabIndex        =   10
         Top             =   240
         Width           =   1150
      End
      Begin VB.OptionButton Option1 
         Caption         =   "Block"
         BackColor       =   &H00000080&
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Index           =   1
         Left            =   180
         TabIndex        =   11
         Top             =   570
         Width           =   1150
      End
      Begin VB.OptionButton Option1 
         Caption         =   "Rounded"
         BackColor       =   &H00000080&
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Index           =   2
         Left            =   180
         TabIndex        =   12
         Top             =   900
         Width           =   1150
      End
      Begin VB.OptionButton Option1 
         Caption         =   "Poly"
         BackColor       =   &H00000080&
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Index           =   3
         Left            =   180
         TabIndex        =   13
         Top             =   1230
         Width           =   1150
      End
      Begin VB.CheckBox Check1 
         Caption         =   "Timer"
         BackColor       =   &H00000080&
         ForeColor       =   &H00FFFFFF&
         Height          =   255
         Left            =   180
         TabIndex        =   14
         Top             =   1560
         Width           =   1150
      End
   End
   Begin Shapecraft.RegionContainer RegionContainer1 
      Height          =   1272
      Left            =   3120
      TabIndex        =   5
      Top             =   3000
      Width           =   1992
      _ExtentX        =   3514
      _ExtentY        =   2244
      BackColor       =   &H00C0C0C0&
      DrawStyle       =   5
      Picture         =   "Form1.frx":0000
      RegionMode      =   1
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   1272
      ScaleWidth      =   1992
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
      Begin Shapecraft.RegionTransparent RegionTransparent3 
         Height          =   492
         Left            =   750
         TabIndex        =   0
         Top             =   390
         Width           =   492
         _ExtentX        =   868
         _ExtentY        =   868
         WhatTransparent =   2
         BackColor       =   &H00800080&
      End
   End
   Begin VB.Timer Timer1 
      Enabled         =   0   'False
      Interval        =   100
      Left            =   7800
      Top             =   4800
   End
   Begin Shapecraft.RegionTransparent RegionTransparent1 
      Height          =   1092
      Index           =   0
      Left            =   120
      TabIndex        =   6
      Top             =   5460
      Width           =   1872
      _ExtentX        =   3302
      _ExtentY        =   1926
      BackColor       =   &H00000000&
      BoxRoundedX     =   0
      BoxRoundedY     =   0
   End
   Begin Shapecraft.RegionTransparent RegionTransparent1 
      Height          =   1092
      Index           =   1
      Left            =   2100
      TabIndex        =   7
      Top             =   5460
      Width           =   1752
      _ExtentX        =   3090
      _ExtentY        =   1926
      BackColor       =   &H00000000&
      BoxRoundedX     =   0
      BoxRoundedY     =   0
   End
   Begin Shapecraft.RegionTransparent RegionTransparent5 
      Height          =   972
      Left            =   3960
      TabIndex        =   8
      Top             =   5520
      Width           =   1692
      _ExtentX        =   2984
      _ExtentY        =   1714
      BackColor       =   &H00C00000&
      BoxRoundedX     =   0
      BoxRoundedY     =   0
      Begin VB.CommandButton Command2 
         Caption         =   "Redraw VBG"
         Height          =   360
         Left            =   246
         TabIndex        =   0
         Top             =   306
         Width           =   1200
      End
   End
   Begin Shapecraft.RegionTransparent RegionTransparent2 
      Height          =   552
      Index           =   1
      Left            =   5880
      TabIndex        =   9
      Top             =   5730
      Width           =   1332
      _ExtentX        =   2350
      _ExtentY        =   974
      WhatTransparent =   2
      BackColor       =   &H0000FFFF&
      RegionMode      =   2
      BoxRoundedX     =   300
      BoxRoundedY     =   300
      Begin VB.CommandButton Command1 
         Caption         =   "Form2.."
         Height          =   552
         Left            =   0
         TabIndex        =   0
         Top             =   0
         Width           =   1332
      End
   End
   Begin Shapecraft.RegionTransparent RegionTransparent2 
      Height          =   1212
      Index           =   0
      Left            =   0
      TabIndex        =   10
      Top             =   5400
      Width           =   8352
      _ExtentX        =   14732
      _ExtentY        =   2138
      WhatTransparent =   2
      RegionMode      =   1
      BoxRoundedX     =   0
      BoxRoundedY     =   0
   End
   Begin Shapecraft.RegionContainer RegionContainer2 
      Height          =   3552
      Left            =   5220
      TabIndex        =   11
      ToolTipText     =   " Window regions, click me (Left or Right) "
      Top             =   840
      Width           =   3012
      _ExtentX        =   5313
      _ExtentY        =   6265
      BackColor       =   &H00008000&
      MousePointer    =   2
      FillStyle       =   6
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   3552
      ScaleWidth      =   3012
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer3 
      Height          =   1992
      Index           =   1
      Left            =   1752
      TabIndex        =   12
      Top             =   840
      Width           =   1512
      _ExtentX        =   2667
      _ExtentY        =   3514
      BackColor       =   &H00404040&
      DrawStyle       =   5
      RegionMode      =   2
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   1992
      ScaleWidth      =   1512
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   1
      Left            =   4380
      TabIndex        =   13
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H000000FF&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   2
      Left            =   5040
      TabIndex        =   14
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H00FF0000&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   3
      Left            =   5700
      TabIndex        =   15
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H00FF00FF&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin Shapecraft.RegionContainer RegionContainer4 
      Height          =   612
      Index           =   4
      Left            =   6360
      TabIndex        =   16
      Top             =   30
      Width           =   612
      _ExtentX        =   1080
      _ExtentY        =   1080
      BackColor       =   &H00000000&
      DrawStyle       =   5
      RegionMode      =   3
      BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "MS Sans Serif"
         Size            =   7.8
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      ScaleHeight     =   612
      ScaleWidth      =   612
      FontSize        =   7.8
      FontName        =   "MS Sans Serif"
   End
   Begin VB.Line Line1 
      BorderColor     =   &H00800000&
      BorderWidth     =   3
      X1              =   3480
      X2              =   5040
      Y1              =   960
      Y2              =   2760
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
