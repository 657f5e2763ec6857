VERSION 5.00
Object = "{3A9F6C20-4B71-11D2-8C5E-0060B0F3A7D4}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmSettings 
   BorderStyle     =   3  'Fixed Dialog
   Caption         =   "Settings"
   ClientHeight    =   4350
   ClientLeft      =   45
   ClientTop       =   615
   ClientWidth     =   5295
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   MaxButton       =   0   'False
   MinButton       =   0   'False
   ScaleHeight     =   4350
   ScaleWidth      =   5295
   ShowInTaskbar   =   0   'False
   StartUpPosition =   1  'CenterOwner
   Begin VB.Frame fraUnits 
      Caption         =   "Measurement units"
      Height          =   1335
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2415
      Begin VB.OptionButton optUnit 
         Caption         =   "&Points"
         Height          =   255
         Index           =   2
         Left            =   240
         TabIndex        =   3
         Top             =   960
         Width           =   1935
      End
      Begin VB.OptionButton optUnit 
         Caption         =   "&Inches"
         Height          =   255
         Index           =   1
         Left            =   240
         TabIndex        =   2
         Top             =   630
         Width           =   1935
      End
      Begin VB.OptionButton optUnit 
         Caption         =   "&Millimetres"
         Height          =   255
         Index           =   0
         Left            =   240
         TabIndex        =   1
         Top             =   300
         Value           =   -1  'True
         Width           =   1935
      End
   End
   Begin VB.ListBox lstLanguage 
      Height          =   1035
      Left            =   2760
      TabIndex        =   5
      Top             =   420
      Width           =   2415
   End
   Begin VB.CheckBox chkAutosave 
      Caption         =   "&Save changes automatically"
      Height          =   255
      Left            =   120
      TabIndex        =   6
      Top             =   1680
      Value           =   1  'Checked
      Width           =   2895
   End
   Begin MSComctlLib.Slider sldInterval 
      Height          =   435
      Left            =   1560
      TabIndex        =   8
      Top             =   2040
      Width           =   3615
      _ExtentX        =   6376
      _ExtentY        =   767
      _Version        =   393216
      Min             =   1
      Max             =   30
      SelStart        =   5
      Value           =   5
   End
   Begin VB.ComboBox cboTheme 
      Height          =   315
      Left            =   1560
      Style           =   2  'Dropdown List
      TabIndex        =   10
      Top             =   2640
      Width           =   3615
   End
   Begin VB.Line linSeparator 
      BorderColor     =   &H80000010&
      X1              =   120
      X2              =   5160
      Y1              =   3240
      Y2              =   3240
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   1200
      TabIndex        =   11
      Top             =   3480
      Width           =   1215
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   2580
      TabIndex        =   12
      Top             =   3480
      Width           =   1215
   End
   Begin VB.CommandButton cmdApply 
      Caption         =   "&Apply"
      Enabled         =   0   'False
      Height          =   375
      Left            =   3960
      TabIndex        =   13
      Top             =   3480
      Width           =   1215
   End
   Begin VB.Timer tmrPreview 
      Enabled         =   0   'False
      Interval        =   250
      Left            =   4680
      Top             =   1560
   End
   Begin VB.Label lblTheme 
      Caption         =   "&Theme:"
      Height          =   255
      Left            =   120
      TabIndex        =   9
      Top             =   2685
      Width           =   1335
   End
   Begin VB.Label lblInterval 
      Caption         =   "E&very 5 minutes"
      Height          =   255
      Left            =   120
      TabIndex        =   7
      Top             =   2130
      Width           =   1335
   End
   Begin VB.Label lblLanguage 
      Caption         =   "&Language:"
      Height          =   255
      Left            =   2760
      TabIndex        =   4
      Top             =   165
      Width           =   2415
   End
   Begin VB.Menu mnuProfile 
      Caption         =   "&Profile"
      Begin VB.Menu mnuProfileLoad 
         Caption         =   "&Load..."
      End
      Begin VB.Menu mnuProfileSaveAs 
         Caption         =   "Save &as..."
      End
      Begin VB.Menu mnuProfileRecent 
         Caption         =   "&Recent"
         Begin VB.Menu mnuProfileRecentItem 
            Caption         =   "(none)"
            Enabled         =   0   'False
            Index           =   0
         End
      End
   End
End
Attribute VB_Name = "frmSettings"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub Form_Load()
    lstLanguage.AddItem "English"
    lstLanguage.AddItem "Deutsch"
    lstLanguage.AddItem "Nederlands"
    lstLanguage.ListIndex = 0
    cboTheme.AddItem "Classic"
    cboTheme.AddItem "High contrast"
    cboTheme.ListIndex = 0
End Sub

Private Sub MarkChanged()
    cmdApply.Enabled = True
    tmrPreview.Enabled = True
End Sub

Private Sub optUnit_Click(Index As Integer)
    MarkChanged
End Sub

Private Sub chkAutosave_Click()
    sldInterval.Enabled = (chkAutosave.Value = vbChecked)
    MarkChanged
End Sub

Private Sub sldInterval_Change()
    lblInterval.Caption = "E&very " & sldInterval.Value & " minutes"
    MarkChanged
End Sub

Private Sub cboTheme_Click()
    MarkChanged
End Sub

Private Sub tmrPreview_Timer()
    tmrPreview.Enabled = False
End Sub

Private Sub cmdApply_Click()
    cmdApply.Enabled = False
End Sub

Private Sub cmdOK_Click()
    If cmdApply.Enabled Then cmdApply_Click
    Unload Me
End Sub

Private Sub cmdCancel_Click()
    Unload Me
End Sub
