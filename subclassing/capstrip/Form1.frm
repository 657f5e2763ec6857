VERSION 5.00
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   2910
   ClientLeft      =   60
   ClientTop       =   630
   ClientWidth     =   3390
   LinkTopic       =   "Form1"
   ScaleHeight     =   2910
   ScaleWidth      =   3390
   StartUpPosition =   3  'Windows Default
   Begin VB.CheckBox Check1 
      Caption         =   " Restore "
      Height          =   315
      Index           =   0
      Left            =   360
      TabIndex        =   0
      Top             =   240
      Width           =   1695
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Move "
      Height          =   315
      Index           =   1
      Left            =   360
      TabIndex        =   1
      Top             =   660
      Width           =   1695
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Size "
      Height          =   315
      Index           =   2
      Left            =   360
      TabIndex        =   2
      Top             =   1080
      Width           =   1695
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Minimize "
      Height          =   315
      Index           =   3
      Left            =   360
      TabIndex        =   3
      Top             =   1500
      Width           =   1695
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Maximize "
      Height          =   315
      Index           =   4
      Left            =   360
      TabIndex        =   4
      Top             =   1920
      Width           =   1695
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Close! "
      Height          =   315
      Index           =   5
      Left            =   360
      TabIndex        =   5
      Top             =   2340
      Width           =   1695
   End
   Begin VB.Menu menuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFile 
         Caption         =   "&Open"
         Index           =   0
      End
      Begin VB.Menu mnuFile 
         Caption         =   "&Close"
         Index           =   1
      End
      Begin VB.Menu mnuFile 
         Caption         =   "-"
         Index           =   5
      End
      Begin VB.Menu mnuFile 
         Caption         =   "E&xit"
         Index           =   10
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
