VERSION 5.00
Begin VB.Form TestForm 
   Caption         =   "Test form"
   ClientHeight    =   3600
   ClientLeft      =   1500
   ClientTop       =   1500
   ClientWidth     =   6000
   BackColor       =   &H00C0FFC0&
   StartUpPosition =   0  'Manual
   Begin VB.CommandButton Command1 
      Caption         =   "&Press"
      Height          =   495
      Left            =   120
      TabIndex        =   0
      ToolTipText     =   "Presses"
      Top             =   120
      Width           =   1215
      BeginProperty Font 
         Name            =   "Arial"
         Size            =   12
         Charset         =   0
         Weight          =   700
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
   End
   Begin VB.CheckBox Check1 
      Caption         =   " First "
      Height          =   300
      Index           =   0
      Left            =   120
      Top             =   720
      Width           =   1500
   End
   Begin VB.CheckBox Check1 
      Caption         =   " Second "
      Height          =   300
      Index           =   1
      Left            =   120
      Top             =   1080
      Value           =   1  'Checked
      Width           =   1500
   End
   Begin VB.OptionButton Option1 
      Caption         =   "One"
      Height          =   300
      Index           =   0
      Left            =   1800
      Top             =   120
      Value           =   -1  'True
      Width           =   1200
   End
   Begin VB.OptionButton Option1 
      Caption         =   "Two"
      Height          =   300
      Index           =   1
      Left            =   1800
      Top             =   480
      Width           =   1200
   End
   Begin VB.Frame Frame1 
      Caption         =   "Frame1"
      Height          =   1200
      Left            =   3120
      Top             =   120
      Width           =   2700
      Begin VB.OptionButton Option2 
         Caption         =   "Inside"
         Height          =   300
         Left            =   120
         Top             =   300
         Value           =   -1  'True
         Width           =   1500
      End
   End
   Begin VB.Label Label1 
      Caption         =   "A label"
      Height          =   300
      Left            =   120
      Top             =   1560
      Width           =   2000
   End
   Begin VB.TextBox Text1 
      Height          =   300
      Left            =   120
      TabIndex        =   2
      Text            =   "99"
      Top             =   1920
      Width           =   1500
   End
   Begin VB.ListBox List1 
      Height          =   1000
      Left            =   3120
      TabIndex        =   1
      Top             =   1500
      Width           =   2700
   End
   Begin VB.Timer Timer1 
      Enabled         =   0   'False
      Interval        =   20
   End
   Begin VB.Line Line1 
      BorderColor     =   &H000000FF&
      X1              =   120
      X2              =   2900
      Y1              =   2400
      Y2              =   2400
   End
   Begin VB.Menu menuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFile 
         Caption         =   "&Open"
         Index           =   0
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
Attribute VB_Name = "TestForm"
